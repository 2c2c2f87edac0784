#pragma once

#include <QFile>
#include <QString>
#include <filesystem>
#include <string>

namespace ondulix {

// File names cross between Qt and the toolkit-free layers in the system's own encoding.
inline std::filesystem::path toNativePath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

inline std::string toNativeText(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}

inline QString fromNativeText(const std::string& text)
{
    return QFile::decodeName(QByteArray::fromStdString(text));
}

inline QString fromNativePath(const std::filesystem::path& path)
{
    return fromNativeText(path.string());
}

} // namespace ondulix
