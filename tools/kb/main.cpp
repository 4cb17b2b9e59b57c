// SPDX-License-Identifier: GPL-3.0-or-later
// splitwick-kb: builds dictionary files from text and dumps them back.

#include "base/game_error.h"
#include "words/kbase.h"
#include "words/kbase_tsv.h"
#include "words/kbase_writer.h"
#include "words/text_list_encoding.h"

#include <QFile>

#include <cstdio>
#include <cstring>

namespace {

const char usage[] =
    "Usage: splitwick-kb build IN.tsv OUT.dic\n"
    "       splitwick-kb dump FILE.dic\n"
    "       splitwick-kb --help\n"
    "\n"
    "Builds dictionaries for the Splitwick word game from text, and prints them back.\n"
    "\n"
    "build  reads IN.tsv and writes the dictionary OUT.dic. IN.tsv has one entry a\n"
    "       line: the word, a TAB and its definition (the hint the game shows).\n"
    "       More TAB-separated fields may follow, all optional, in this order: part\n"
    "       of speech, category, other words of the same meaning, difficulty mark,\n"
    "       parent concept, source, and the attributes joined by commas (Country,\n"
    "       Species, ...). In a field \\\\ \\t \\n \\r stand for a backslash, TAB,\n"
    "       line feed and carriage return. IN.tsv may be UTF-8 (with or without a\n"
    "       byte-order mark) or Windows-1252, with LF or CRLF line ends; a character\n"
    "       the dictionary's Windows-1252 text cannot hold is an error. A bad line is\n"
    "       reported as \"line N: ...\" and nothing is written.\n"
    "dump   prints FILE.dic in that same form, one line per entry, so a shipped\n"
    "       dictionary can be the start of your own. If the file is damaged, the\n"
    "       entries before the fault are printed and the reason goes to standard\n"
    "       error.\n"
    "\n"
    "Your own dictionaries go in ~/.local/share/splitwick/kbs; restart the game to\n"
    "see them in its options.\n"
    "Exit status: 0 done, 1 a file could not be read, written or understood,\n"
    "2 bad command line.\n";

void writeOut(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

int dump(const QString &fileName)
{
    tZRVDictionary store;
    QString error;
    try {
        store.LoadFromFile(fileName);
    } catch (const GameError &e) {
        error = e.message();
    }
    const TKbItems &items = store.Items();
    QByteArray out;
    for (int i = 0; i < items.Count(); ++i) {
        appendTsvLine(out, items[i]);
        if (out.size() >= (1 << 20)) {
            writeOut(out);
            out.clear();
        }
    }
    writeOut(out);
    std::fflush(stdout);
    if (!error.isEmpty()) {
        fail(error);
        return 1;
    }
    return std::ferror(stdout) ? 1 : 0;
}

int build(const QString &inName, const QString &outName)
{
    QFile in(inName);
    if (!in.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("%1: %2").arg(inName, in.errorString()));
        return 1;
    }
    const QByteArray text = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        fail(QStringLiteral("%1: %2").arg(inName, in.errorString()));
        return 1;
    }
    QByteArray lines;
    if (const auto error = textListToWindows1252(text, lines)) {
        fail(error->toString());
        return 1;
    }
    tZRVDictionary store;
    if (const auto error = parseTsv(lines, store.Items())) {
        fail(error->toString());
        return 1;
    }
    try {
        saveDictionary(store, outName);
    } catch (const GameError &e) {
        fail(e.message());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(usage, stdout);
        return 0;
    }
    try {
        if (argc == 3 && std::strcmp(argv[1], "dump") == 0)
            return dump(QFile::decodeName(argv[2]));
        if (argc == 4 && std::strcmp(argv[1], "build") == 0)
            return build(QFile::decodeName(argv[2]), QFile::decodeName(argv[3]));
    } catch (const std::exception &e) {
        fail(QString::fromLocal8Bit(e.what()));
        return 1;
    }
    std::fputs(usage, stderr);
    return 2;
}
