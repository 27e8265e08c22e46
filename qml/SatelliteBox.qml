import QtQuick 2.9
import QtQuick.Controls 2.2

// A satellite box: the keys typed on it are handed on first, so that typing
// can narrow the list (see SatelliteFinder) before the box's own search.
ComboBox {
    id: box
    signal typed(var event)

    Keys.onPressed: box.typed(event)
}
