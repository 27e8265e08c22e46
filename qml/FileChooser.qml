import QtQuick 2.7
import QtQuick.Dialogs 1.3

// The file dialog of this Qt version (+qt6/FileChooser.qml is the other):
// one file, to open (an existing one) or to save (a new or existing one), or
// a folder to open.
FileDialog {
    property bool saving: false
    property bool folder: false
    signal chosen(string url)

    modality: Qt.WindowModal
    selectExisting: !saving
    selectMultiple: false
    selectFolder: folder
    sidebarVisible: false
    onAccepted: chosen(fileUrl.toString())
}
