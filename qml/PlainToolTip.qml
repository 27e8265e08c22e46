import QtQuick 2.7
import QtQuick.Controls 2.12

// A tool tip that shows its text as the characters it holds: satellite and
// transponder names come from servers and files, and the style's own tool
// tip would read markup in them (an <img> would be fetched).
ToolTip {
    id: tip

    contentItem: Text {
        textFormat: Text.PlainText
        text: tip.text
        font: tip.font
        wrapMode: Text.Wrap
        color: tip.palette.toolTipText
    }
}
