import QtQuick 2.9
import QtQuick.Window 2.13

// A dialog, message box or file chooser made the first time it is needed
// instead of with the window that holds it: the start pays only for what it
// shows. Like a window declared in an item, it belongs to that item's window
// (transient for it, centred over it, closed with it). One given by its
// file (`source`) is not even compiled before: neither are the modules it
// imports loaded.
Loader {
    id: loader
    active: false

    // The window, made now if it was not yet.
    function get() {
        active = true
        return item
    }

    // Makes it if need be and opens it (it takes the focus as it opens).
    function open() {
        get().open()
        return item
    }

    onLoaded: {
        if ("transientParent" in item)
            item.transientParent = loader.Window.window
    }
}
