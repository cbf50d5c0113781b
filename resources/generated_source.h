// What the build-time picture generators share: a picture's bytes as a C++ array, and
// writing the generated source file.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdio>
#include <string>

namespace vendarion {

// "const unsigned char NAME[] = {...};" with sixteen bytes to a line.
inline std::string ByteArraySource(const std::string& name, const QByteArray& bytes) {
    std::string text = "const unsigned char " + name + "[] = {";
    for (int i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0) text += "\n   ";
        text += " " + std::to_string(static_cast<unsigned char>(bytes[i])) + ",";
    }
    return text + "\n};\n";
}

// Writes the source to path; false, after saying so, when it cannot.
inline bool WriteGeneratedSource(const char* path, const std::string& source) {
    QFile out(QString::fromLocal8Bit(path));
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(source.data(), static_cast<qint64>(source.size())) !=
            static_cast<qint64>(source.size())) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return false;
    }
    return true;
}

}  // namespace vendarion
