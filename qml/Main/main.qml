import QtQuick
import content

App {
}
