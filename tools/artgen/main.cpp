#include "Artgen.h"

#include <QDir>
#include <QImageWriter>
#include <cstdio>

// Writes every picture of the game into the directory given, as committed in
// assets/images. The same program always writes the same bytes.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen <output directory>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "artgen: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const art::Output& out : art::AllPictures()) {
        const QString path = dir.filePath(out.name);
        QImageWriter writer(path);
        if (!writer.write(out.image)) {
            std::fprintf(stderr, "artgen: cannot write %s: %s\n", qPrintable(path),
                         qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
