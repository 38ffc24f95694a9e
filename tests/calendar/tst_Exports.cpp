// libZVCal.so exports the four entry points and nothing else: the test reads
// the dynamic symbol table of the built file.

#include "properties/VersionInfo.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTest>

#include <elf.h>

#include <cstring>

namespace {

// Names of the symbols the file defines and makes visible to others (global
// or weak, not undefined), from its .dynsym section. Empty on a malformed file.
QSet<QString> exportedSymbols(const QByteArray &file, QString *error)
{
    auto fits = [&](std::uint64_t offset, std::uint64_t size) { return offset <= std::uint64_t(file.size()) && size <= std::uint64_t(file.size()) - offset; };
    Elf64_Ehdr header;
    if (!fits(0, sizeof header) || std::memcmp(file.constData(), ELFMAG, SELFMAG) != 0 || file[EI_CLASS] != ELFCLASS64) {
        *error = QStringLiteral("not a 64-bit ELF file");
        return {};
    }
    std::memcpy(&header, file.constData(), sizeof header);
    auto section = [&](unsigned index, Elf64_Shdr *out) {
        const std::uint64_t at = header.e_shoff + std::uint64_t(index) * header.e_shentsize;
        if (index >= header.e_shnum || !fits(at, sizeof *out))
            return false;
        std::memcpy(out, file.constData() + at, sizeof *out);
        return true;
    };
    QSet<QString> names;
    for (unsigned i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr symbols, strings;
        if (!section(i, &symbols) || symbols.sh_type != SHT_DYNSYM)
            continue;
        if (!section(symbols.sh_link, &strings) || !fits(symbols.sh_offset, symbols.sh_size) || !fits(strings.sh_offset, strings.sh_size)) {
            *error = QStringLiteral("damaged symbol table");
            return {};
        }
        for (std::uint64_t at = 0; at + sizeof(Elf64_Sym) <= symbols.sh_size; at += sizeof(Elf64_Sym)) {
            Elf64_Sym s;
            std::memcpy(&s, file.constData() + symbols.sh_offset + at, sizeof s);
            const unsigned binding = ELF64_ST_BIND(s.st_info);
            if (s.st_shndx == SHN_UNDEF || (binding != STB_GLOBAL && binding != STB_WEAK) || s.st_name >= strings.sh_size)
                continue;
            const char *name = file.constData() + strings.sh_offset + s.st_name;
            names.insert(QString::fromLatin1(name, qstrnlen(name, strings.sh_size - s.st_name)));
        }
    }
    if (names.isEmpty())
        *error = QStringLiteral("no dynamic symbols");
    return names;
}

} // namespace

class tst_Exports : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheEntryPoints()
    {
        QFile library(QStringLiteral(ZVCAL_LIBRARY_PATH));
        QVERIFY2(library.open(QIODevice::ReadOnly), qPrintable(library.fileName()));
        QString error;
        const QSet<QString> exported = exportedSymbols(library.readAll(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QSet<QString> expected {"DllRegisterServer", "DllUnregisterServer", "DllGetClassObject", "DllCanUnloadNow"};
        QCOMPARE(exported, expected);
    }

    // The file's own version is that of the library's version record.
    void fileVersion()
    {
        const QString expected = QStringLiteral("libZVCal.so.%1.%2.%3.%4")
                                     .arg(zvcal::VersionMajor)
                                     .arg(zvcal::VersionMinor)
                                     .arg(zvcal::VersionBuild)
                                     .arg(zvcal::VersionRevision);
        QCOMPARE(QFileInfo(QStringLiteral(ZVCAL_LIBRARY_PATH)).fileName(), expected);
    }
};

QTEST_APPLESS_MAIN(tst_Exports)
#include "tst_Exports.moc"
