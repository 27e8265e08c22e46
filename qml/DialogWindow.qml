import QtQuick 2.9
import QtQuick.Window 2.13
import QtQuick.Controls 2.0
import QtQuick.Layouts 1.3

// A dialog in a window of its own, with its content above OK and, when asked
// for, Cancel at the bottom right. Being a window, it has a title bar and
// stays a separate window under every Qt version. Declared inside an item it
// is transient for that item's window (Qt sets it), which centres it there
// and closes it with it. Enter accepts (Cancel when Cancel has the focus),
// Escape cancels (or acts as OK where OK is the only button); the first field
// of the content, else OK, has the focus when it opens, and Tab walks the
// fields in the order they are declared, then Cancel and OK.
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
    // What gets the focus on opening; null: the first field, else OK.
    property Item initialFocusItem: null

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
        centreOverParent()
        // The property, not show(): a window declared inside an item keeps
        // its own idea of "visible" and applies it once its parent shows.
        visible = true
        requestActivate()
        focusFirstField()
    }

    // Window managers centre a transient dialog themselves; this places it
    // there where none does.
    function centreOverParent() {
        var owner = dialog.transientParent
        if (!owner)
            return
        x = owner.x + Math.round((owner.width - width) / 2)
        y = owner.y + Math.round((owner.height - height) / 2)
    }

    function isInContent(item) {
        for (var up = item; up; up = up.parent) {
            if (up === content)
                return true
        }
        return false
    }

    function focusFirstField() {
        var item = initialFocusItem
        if (!item) {
            var first = content.nextItemInFocusChain(true)
            item = first && isInContent(first) ? first : okButton
        }
        // The text field of an editable box takes the keys, and a number
        // typed there replaces the one shown.
        var field = item.contentItem && item.contentItem.selectAll ? item.contentItem : item
        field.forceActiveFocus(Qt.TabFocusReason)
        if (field.selectAll)
            field.selectAll()
    }

    function holdsFocus(item) {
        for (var up = item; up; up = up.parent) {
            if (up === keys)
                return true
        }
        return false
    }

    function acceptByKey(fieldTook) {
        // A field takes what was typed first, as it would on its own Enter
        // (an editable combo box selects the typed entry).
        var field = activeFocusItem
        if (fieldTook !== false && field && field.acceptableInput === true && typeof field.accepted === "function")
            field.accepted()
        if (!visible)
            return
        if (cancelable && cancelButton.activeFocus)
            reject()
        else
            accept()
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
        if (visible)
            dismiss()
    }

    // Title bar and Escape alike.
    function dismiss() {
        if (cancelable)
            reject()
        else
            accept()
    }

    FocusScope {
        id: keys
        anchors.fill: parent
        focus: true
        // Escape that the focused field leaves alone (an open combo box
        // list closes first).
        Keys.onEscapePressed: dialog.dismiss()

        // Enter before the fields see it: combo boxes and text fields keep it
        // for themselves. Not while a combo box's list (outside) has the focus.
        Shortcut {
            sequences: ["Return", "Enter"]
            enabled: dialog.visible && dialog.holdsFocus(dialog.activeFocusItem)
            onActivated: dialog.acceptByKey()
        }

        // A text field takes Enter itself and says so.
        Connections {
            target: dialog.holdsFocus(dialog.activeFocusItem) ? dialog.activeFocusItem : null
            ignoreUnknownSignals: true
            function onAccepted() {
                dialog.acceptByKey(false)
            }
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
                Accessible.name: text
                onClicked: dialog.reject()
            }

            Button {
                id: okButton
                text: qsTr("OK")
                Accessible.name: text
                onClicked: dialog.accept()
            }
        }
    }
}
