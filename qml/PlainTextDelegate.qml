import QtQuick 2.7
import QtQuick.Controls 2.0

// A combo box's list item that shows its text as the characters it holds:
// satellite and transponder names come from servers and files, and the
// style's own item would read markup in them (an <img> would be fetched).
ItemDelegate {
    id: item
    // The combo box whose model this item shows.
    property var comboBox

    width: comboBox ? comboBox.width : implicitWidth
    highlighted: comboBox ? comboBox.highlightedIndex === index : false
    text: !comboBox || !comboBox.textRole ? modelData
          : (Array.isArray(comboBox.model) ? modelData[comboBox.textRole] : model[comboBox.textRole])

    contentItem: Text {
        textFormat: Text.PlainText
        text: item.text
        font: item.font
        elide: Text.ElideRight
        verticalAlignment: Text.AlignVCenter
    }
}
