#include "platform/Resources.h"

#include <QByteArray>
#include <QFile>

#include "platform/Cp1252.h"
#include "platform/SysUtils.h"

std::string ReadResource(const std::string& name) {
    QFile resource(FromCp1252(name));
    if (!resource.open(QIODevice::ReadOnly))
        throw EFileError("Cannot open resource \"" + name + "\". " + ToCp1252(resource.errorString()));
    const QByteArray bytes = resource.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
