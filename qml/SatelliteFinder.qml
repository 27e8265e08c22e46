import QtQuick 2.9
import QtQuick.Controls 2.2
import Fenzo.Satellites 1.0

// Typing into a satellite box opens this list of the names that hold the
// typed text; Enter takes the marked name into the box, Escape leaves the box
// as it was. Arrow keys move the mark, so the keyboard alone does it all.
Popup {
    id: finder
    // The satellite box this list narrows; the popup sits below it.
    property var comboBox
    property alias field: field
    property alias list: list
    property alias filter: filter

    parent: comboBox
    y: comboBox ? comboBox.height : 0
    width: comboBox ? comboBox.width : implicitWidth
    padding: 1
    modal: false
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    // A printable key pressed on the box starts the search with that letter
    // (connected to the box's typed()).
    function typed(event) {
        if (event.text.length !== 1 || event.text < " " || event.text === "\u007f"
                || (event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.MetaModifier)))
            return
        field.text = event.text
        open()
        field.forceActiveFocus()
        event.accepted = true
    }

    function take() {
        var name = filter.name(list.currentIndex)
        close()
        var index = name === "" ? -1 : comboBox.find(name)
        if (index >= 0) {
            comboBox.currentIndex = index
            // A choice as if made in the box's own list.
            comboBox.activated(index)
        }
    }

    onClosed: {
        field.text = ""
        if (comboBox)
            comboBox.forceActiveFocus()
    }

    SatelliteFilter {
        id: filter
        sourceModel: finder.comboBox ? finder.comboBox.model : null
        text: field.text
        // The first match is marked as the list narrows.
        onTextChanged: list.currentIndex = 0
    }

    contentItem: Column {
        TextField {
            id: field
            width: parent.width
            selectByMouse: true
            Accessible.name: placeholderText
            placeholderText: qsTr("Find a satellite")
            Keys.onReturnPressed: finder.take()
            Keys.onEnterPressed: finder.take()
            Keys.onEscapePressed: finder.close()
            Keys.onUpPressed: list.decrementCurrentIndex()
            Keys.onDownPressed: list.incrementCurrentIndex()
        }

        ListView {
            id: list
            width: parent.width
            height: Math.min(contentHeight, 240)
            clip: true
            model: filter
            highlightMoveDuration: 0
            ScrollIndicator.vertical: ScrollIndicator {}

            delegate: ItemDelegate {
                width: list.width
                highlighted: ListView.isCurrentItem
                contentItem: Text {
                    textFormat: Text.PlainText
                    text: model.label !== undefined ? model.label : model.display
                    font.italic: model.dynamicOnly === true
                    elide: Text.ElideRight
                    verticalAlignment: Text.AlignVCenter
                }
                onClicked: {
                    list.currentIndex = index
                    finder.take()
                }
            }
        }

        Label {
            visible: filter.count === 0
            width: parent.width
            padding: 6
            textFormat: Text.PlainText
            text: qsTr("No satellite name contains \"%1\"").arg(field.text)
        }
    }
}
