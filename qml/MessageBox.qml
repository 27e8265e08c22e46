import QtQuick 2.9
import QtQuick.Controls 2.0
import QtQuick.Layouts 1.3

// A message in a window of its own, with a red (critical), amber (warning)
// or blue (information) sign beside the text. The text can be selected, and
// Ctrl+C copies all of it when nothing is selected: an installer reads paths
// and reasons out to whoever helps.
DialogWindow {
    id: box
    property alias text: message.text
    property bool critical: false
    property alias messageText: message
    property bool information: false

    RowLayout {
        spacing: 12

        Rectangle {
            Layout.alignment: Qt.AlignTop
            width: 32
            height: 32
            radius: 16
            color: box.critical ? "#d32f2f" : box.information ? "#1976d2" : "#f0a30a"

            Text {
                textFormat: Text.PlainText
                anchors.centerIn: parent
                text: box.information ? "i" : "!"
                color: "white"
                font.pixelSize: 22
                font.bold: true
            }
        }

        // The text's own width, up to 420: a wrapping text field would
        // otherwise be as narrow as the layout lets it.
        Text {
            id: naturalWidth
            textFormat: Text.PlainText
            visible: false
            text: message.text
            font: message.font
        }

        TextArea {
            id: message
            Layout.preferredWidth: Math.min(420, naturalWidth.implicitWidth + leftPadding + rightPadding + 1)
            Layout.maximumWidth: 420
            wrapMode: Text.WordWrap
            textFormat: TextEdit.PlainText
            readOnly: true
            selectByMouse: true
            activeFocusOnTab: false
            padding: 0
            background: null
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            // With the focus here but nothing selected, the field would copy
            // nothing.
            Keys.onPressed: function (event) {
                if (event.matches(StandardKey.Copy)) {
                    box.copyAll()
                    event.accepted = true
                }
            }
        }
    }

    function copyAll() {
        var start = message.selectionStart
        var end = message.selectionEnd
        if (start === end)
            message.selectAll()
        message.copy()
        if (start === end)
            message.deselect()
    }

    Shortcut {
        sequences: [StandardKey.Copy]
        onActivated: box.copyAll()
    }
}
