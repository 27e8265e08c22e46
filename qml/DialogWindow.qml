import QtQuick 2.7
import QtQuick.Window 2.2
import QtQuick.Controls 2.0
import QtQuick.Layouts 1.3

// A dialog in a window of its own, with its content above OK and, when asked
// for, Cancel at the bottom right. Being a window, it has a title bar and
// stays a separate window under every Qt version.
Window {
    id: dialog
    flags: Qt.Dialog
    modality: Qt.WindowModal
    visible: false
    width: 200
    height: 100

    readonly property int margin: 12
    property bool cancelable: false
    default property alias contentData: content.data
    property alias okButton: okButton
    property alias cancelButton: cancelButton

    signal accepted
    signal rejected

    // Sized by its content whenever that changes (not by a binding: a
    // wrapped text's height would feed back into the layout that reads it).
    function fitContent() {
        width = Math.max(content.implicitWidth, buttons.implicitWidth) + 2 * margin
        height = content.implicitHeight + buttons.implicitHeight + 3 * margin
    }

    Component.onCompleted: fitContent()

    function open() {
        fitContent()
        // The property, not show(): a window declared inside an item keeps
        // its own idea of "visible" and applies it once its parent shows.
        visible = true
        requestActivate()
    }

    function accept() {
        visible = false
        accepted()
    }

    function reject() {
        visible = false
        rejected()
    }

    // Closed from its title bar: as Cancel, or as OK where OK is the only
    // button. The close itself is never refused: the application closes every
    // window when it quits and stays when one refuses.
    onClosing: function (close) {
        if (!visible)
            return
        if (cancelable)
            reject()
        else
            accept()
    }

    ColumnLayout {
        id: content
        x: dialog.margin
        y: dialog.margin
        width: implicitWidth
        onImplicitWidthChanged: dialog.fitContent()
        onImplicitHeightChanged: dialog.fitContent()
    }

    RowLayout {
        id: buttons
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: dialog.margin
        spacing: 8
        onImplicitWidthChanged: dialog.fitContent()

        Button {
            id: cancelButton
            visible: dialog.cancelable
            text: qsTr("Cancel")
            onClicked: dialog.reject()
        }

        Button {
            id: okButton
            text: qsTr("OK")
            onClicked: dialog.accept()
        }
    }
}
