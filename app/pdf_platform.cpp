// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: the offscreen platform, which reads the fonts through fontconfig;
// file names in the locale's encoding.
#include <QByteArray>
#include <QFile>
#include <QtGlobal>

#include "pdf_platform.hpp"

void UsePlatformWithoutDisplay() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString FileNameOfArgument(const std::string& argument) {
    return QFile::decodeName(argument.c_str());
}
