#pragma once

#include "app/document/SlotSource.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// A sound file of a folder as the browser's listing found it.
struct ListedFile {
    // As the file system names it: the bytes need not be UTF-8, and the file is reached by them alone.
    QByteArray path;
    // The name as the list shows it; where the bytes are not UTF-8 it shows U+FFFD in their place.
    QString name;
    bool nameIsUtf8 = true;
    FileStamp stamp;
};

// The files whose headers the window has read, by path, with their stamps as they were then: a
// listing again reads only the files that are new or changed since.
using KnownFiles = QHash<QByteArray, FileStamp>;
