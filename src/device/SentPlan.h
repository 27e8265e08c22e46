#pragma once

#include "CodeWord.h"

#include <QString>
#include <QVector>

// What a send puts on the switch: the three options and the 24 words, UB 0
// first, with the satellite names of LNBs the words cannot name (for reading
// the switch's plan into a backup and for describing its words).
struct SentPlan
{
    bool lteFilter = false;
    bool standBy = false;
    bool terrestrialPath = false;
    QVector<CodeWord> words;
    QString lnb1;
    QString lnb2;
};
