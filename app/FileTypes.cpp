#include "app/FileTypes.h"

FileTypes FileTypes::Register() {
    FileTypes types;
    types.pText.Name = QStringLiteral("text");
    types.pText.Extensions = {};
    types.pText.MacType = QStringLiteral("TEXT");
    types.pText.MacCreator = QStringLiteral("R*ch");
    return types;
}
