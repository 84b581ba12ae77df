import QtQuick
import Parvane

// Button without background whose text takes the colour of its style.
MyButton {
    id: control

    readonly property color styleRestColor: styleName === "success" ? Constants.successColor
                                            : styleName === "warning" ? Constants.warningLigthColor3
                                            : styleName === "danger" ? Constants.errorColor
                                            : styleName === "secondary" ? Constants.secondaryColor
                                            : Constants.primaryLigthColor4
    readonly property color styleHoverColor: styleName === "success" ? Qt.lighter(Constants.successColor, 1.25)
                                             : styleName === "warning" ? Qt.lighter(Constants.warningLigthColor3, 1.2)
                                             : styleName === "danger" ? Constants.errorLigthColor3
                                             : styleName === "secondary" ? Constants.secondaryLigthColor
                                             : Constants.primaryLigthColor5
    readonly property color stylePressedColor: styleName === "success" ? Qt.darker(Constants.successColor, 1.2)
                                               : styleName === "warning" ? Qt.darker(Constants.warningLigthColor3, 1.2)
                                               : styleName === "danger" ? Constants.errorLigthColor2
                                               : styleName === "secondary" ? Constants.secondaryDarkColor
                                               : Constants.primaryLigthColor3

    textColor: !enabled ? Constants.disabledItemColor
               : down ? stylePressedColor
               : hovered ? styleHoverColor : styleRestColor
    backgroundColor: "transparent"
    borderColor: down ? textColor : "transparent"
}
