import QtQuick

// Paces a sending run: one recipient per tick, and only once the previous
// delivery has returned (deliveries keep the event loop running, so ticks
// arrive while one is under way).
Timer {
    // Contact records of the run, in sending order.
    property var recipients: []
    property int currentIndex: 0
    // Account and form values that every message of the run uses.
    property var params: ({})
    // False while a delivery is under way.
    property bool hasResult: true

    repeat: true
}
