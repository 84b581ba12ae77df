import QtQuick

// Placeholder shown by an empty list.
MyLabel {
    text: typeof myTrStrings !== "undefined" ? myTrStrings.no_item_to_show : "No item to show"
    horizontalAlignment: Text.AlignHCenter
    font.bold: false
    opacity: 0.8
}
