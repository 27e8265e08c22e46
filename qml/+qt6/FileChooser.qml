import QtQuick
import QtQuick.Window
import QtQuick.Dialogs

// The file dialog of this Qt version (../FileChooser.qml is the other): one
// file, to open (an existing one) or to save (a new or existing one), or a
// folder to open. Qt 6
// draws its dialog inside a window, so it gets a window of its own with the
// dialog's title, as under Qt 5.
Window {
    id: chooser
    property bool saving: false
    property bool folder: false
    property alias nameFilters: dialog.nameFilters
    signal chosen(string url)
    // Texts of Qt 6.4's dialog that Qt's German catalogue lacks: the
    // program's catalogues carry them in the dialog's own context.
    readonly property var textsQtLacks: [QT_TRANSLATE_NOOP("FileDialog", "File name"),
                                         QT_TRANSLATE_NOOP("FileDialog", "Filter")]

    flags: Qt.Dialog
    modality: Qt.WindowModal
    visible: false
    width: 700
    height: 560

    function open() {
        visible = true
        requestActivate()
        if (folder)
            folderDialog.open()
        else
            dialog.open()
    }

    onVisibleChanged: {
        if (!visible && dialog.visible)
            dialog.close()
        if (!visible && folderDialog.visible)
            folderDialog.close()
    }

    FolderDialog {
        id: folderDialog
        parentWindow: chooser
        title: chooser.title
        onAccepted: {
            chooser.visible = false
            chooser.chosen(selectedFolder.toString())
        }
        onRejected: chooser.visible = false
    }

    FileDialog {
        id: dialog
        parentWindow: chooser
        title: chooser.title
        fileMode: chooser.saving ? FileDialog.SaveFile : FileDialog.OpenFile
        // Qt 6.4's own dialog says "Open" in both modes.
        acceptLabel: chooser.saving ? qsTr("Save") : qsTr("Open")
        onAccepted: {
            chooser.visible = false
            chooser.chosen(selectedFile.toString())
        }
        onRejected: chooser.visible = false
    }
}
