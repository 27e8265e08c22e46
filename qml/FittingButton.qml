import QtQuick 2.7
import QtQuick.Controls 2.0

// A button whose text takes a second line where one line is too narrow,
// instead of being cut off; it looks like the style's own button otherwise.
Button {
    id: control
    // Two lines of this size fit the style's 40 pixel button, so a wrapped
    // text takes no height from the rows below.
    font.pixelSize: 14
    topPadding: 3
    bottomPadding: 3

    contentItem: Text {
        textFormat: Text.PlainText
        text: control.text
        font: control.font
        // The style's button text colour (its palette is not part of 2.0).
        color: "#26282a"
        opacity: control.enabled ? 1.0 : 0.3
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        elide: Text.ElideRight
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
}
