#pragma once

#include <QString>
#include <QStringList>

// The one document type the program registers. Nothing opens or saves documents of it.
struct FileType {
    QString Name;
    QStringList Extensions;
    QString MacType;
    QString MacCreator;
};

struct FileTypes {
    FileType pText;

    // Creates the "text" type, setting its name, extensions, type and creator in that order.
    static FileTypes Register();
};
