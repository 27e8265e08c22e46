import QtQuick 2.7
import QtQuick.Controls 2.0

// A combo box small enough for a row of the band list, its text in the given
// colour.
ComboBox {
    id: control
    property color textColor: "black"

    height: 22
    font.pixelSize: 12
    leftPadding: 0
    rightPadding: indicator.width + 8

    // A small arrow: the style's own leaves no room for the text in a narrow box.
    indicator: Text {
        textFormat: Text.PlainText
        x: control.width - width - 5
        y: (control.height - height) / 2
        text: "\u25BE"
        font.pixelSize: 12
        color: "#353637"
    }

    // Names from servers and files show as plain text in the list, too.
    delegate: PlainTextDelegate {
        comboBox: control
    }

    contentItem: Text {
        textFormat: Text.PlainText
        leftPadding: 4
        text: control.displayText
        font: control.font
        color: control.textColor
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
}
