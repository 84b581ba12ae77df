import QtQuick

// Borderless button with a permanent border in its text colour.
MyBorderlessButton {
    borderColor: textColor
}
