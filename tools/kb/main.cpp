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
    "Usage: splitwick-kb dump FILE.dic\n"
    "       splitwick-kb build IN.tsv OUT.dic\n"
    "       splitwick-kb --help\n"
    "\n"
    "dump   loads FILE.dic as the game does and prints one line per entry: the texts\n"
    "       n d a f s j p r, then the attributes that are set (names in ordinal order,\n"
    "       joined by \",\"), separated by TABs. In texts \\\\ \\t \\n \\r stand for a\n"
    "       backslash, TAB, line feed and carriage return; other bytes are raw.\n"
    "       If the load fails, the entries read before the fault are printed, the\n"
    "       game's message goes to standard error and the exit status is 1.\n"
    "build  reads lines in that form (missing trailing fields are empty; a raw\n"
    "       carriage return, a tenth field, another escape or an unknown attribute is\n"
    "       an error reported as \"line N: ...\") and writes OUT.dic, which dump gives\n"
    "       back exactly. IN.tsv may be UTF-8 (with or without a byte-order mark) or\n"
    "       Windows-1252, with LF or CRLF line ends; its text is stored as Windows-1252,\n"
    "       and a character that code page cannot hold is an error. On any error\n"
    "       nothing is written and the exit status is 1.\n"
    "Exit status 2: bad command line.\n";

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
