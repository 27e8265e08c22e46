.pragma library

// Transponder lists of every satellite, built once and shared by all rows of
// the band list, so that scrolling never asks the controller again. Each list
// is an array of {text, freq, tpValue}; its first entry means "no transponder".
// An entry's text names its polarisation ("07, 10722 MHz H"): many satellites
// carry one frequency twice, horizontal and vertical.
var lnbModels = Object.create(null)
// Passed through qsTr at run time but kept out of the catalogues (a literal
// would be picked up by lupdate): it reads the same in every language.
var notAssignedText = "not assigned"
var satelliteCount = 0
// The controller's count of data sets these lists were built from.
var generation = -1

function twoDigits(number) {
    return number < 10 ? "0" + number : "" + number
}

// The reverse of twoDigits for a tpValue text.
function tpNumber(text) {
    if (text.length === 2 && text.charAt(0) === "0")
        return parseInt(text.charAt(1), 10)
    return parseInt(text, 10)
}

// One transponder as an entry of the band list.
function entry(item) {
    var tp = twoDigits(item.transponder)
    var text = tp + ", " + item.frequency + " MHz " + (item.horizontal ? "H" : "V")
    return { "text": text, "freq": item.frequency, "tpValue": tp }
}

// Returns at once once the cache holds a satellite of the controller's
// current data; without satellite data it asks again on every call, so data
// that appears later is still picked up. New data build the lists anew.
function loadLNBModels(controller) {
    if (generation !== controller.satelliteDataGeneration) {
        lnbModels = Object.create(null)
        satelliteCount = 0
        generation = controller.satelliteDataGeneration
    }
    if (satelliteCount > 0)
        return
    var names = controller.availableSatelites()
    for (var i = 0; i < names.length; ++i) {
        var name = names[i]
        var list = [{ "text": qsTr(notAssignedText), "freq": 0, "tpValue": "not assigned" }]
        var items = controller.transpondersForSatelite(name)
        for (var j = 0; j < items.length; ++j)
            list.push(entry(items[j]))
        if (!(name in lnbModels))
            ++satelliteCount
        lnbModels[name] = list
    }
}

// The cached list of a satellite, or null when there is none.
function modelFor(name) {
    return name in lnbModels ? lnbModels[name] : null
}
