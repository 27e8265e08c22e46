#pragma once

#include <QtGlobal>

// What one download may bring at most: more is refused as a whole. Well
// above the real data (251 tables, 5,869 rows, at most a few dozen rows
// a table), far below what would strain the machine.
struct DownloadLimits
{
    int tables = 2000;
    int rowsPerTable = 500;
    int rows = 200000;
    qint64 bytes = 16 * 1024 * 1024;
    // The longest table name MySQL and MariaDB allow.
    int tableNameCharacters = 64;
};
