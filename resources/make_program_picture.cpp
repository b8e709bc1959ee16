// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes kwelt.ico, kwelt_icon_image.bin (the icon's one image, as the Windows resource script
// takes it) and kwelt.png from the picture's text source:
//   kwelt_make_program_picture kwelt_icon.txt OUTPUT_DIR
// The committed picture files are made with it; a test checks that they still match.

#include "picture_grid.h"

#include <QFile>
#include <QTextStream>

int main(int argc, char** argv)
{
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: kwelt_make_program_picture SOURCE.txt OUTPUT_DIR\n";
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        err << "cannot read " << source.fileName() << "\n";
        return 1;
    }
    QString error;
    const auto grid = kwelt::picture::ParseGrid(QString::fromUtf8(source.readAll()), &error);
    if (!grid) {
        err << source.fileName() << ": " << error << "\n";
        return 1;
    }
    const QString dir = QString::fromLocal8Bit(argv[2]);
    QFile ico(dir + QStringLiteral("/kwelt.ico"));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(kwelt::picture::ToIco(*grid)) < 0) {
        err << "cannot write " << ico.fileName() << "\n";
        return 1;
    }
    QFile image(dir + QStringLiteral("/kwelt_icon_image.bin"));
    if (!image.open(QIODevice::WriteOnly)
        || image.write(kwelt::picture::ToIco(*grid).mid(kwelt::picture::IcoHeaderSize)) < 0) {
        err << "cannot write " << image.fileName() << "\n";
        return 1;
    }
    if (!kwelt::picture::ToImage(*grid).save(dir + QStringLiteral("/kwelt.png"), "PNG")) {
        err << "cannot write " << dir << "/kwelt.png\n";
        return 1;
    }
    return 0;
}
