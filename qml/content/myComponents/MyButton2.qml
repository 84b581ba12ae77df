import QtQuick
import Parvane

// Large square-cornered variant of MyButton (40 px high).
MyButton {
    smBtn: false
    roundedBtn: false
}
