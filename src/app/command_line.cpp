#include "app/command_line.h"

namespace ejteto {

namespace {

QString helpText()
{
    return QStringLiteral("Használat: ejteto [--help | --version | --export-history FÁJL |\n"
                          "                  --export-voice NÉV FÁJL | --import-voice FÁJL [--replace]]\n"
                          "Ejteto! – Bevezetés az angol magánhangzók világába.\n"
                          "Megnyitja a program ablakát; a tananyagot a program mappájából olvassa.\n"
                          "\n"
                          "  -h, --help     ez a leírás\n"
                          "  -v, --version  a program változata\n"
                          "  --export-history FÁJL  az előzmények CSV-fájlba, ablak nélkül\n"
                          "  --export-voice NÉV FÁJL  egy hang hangcsomagba, ablak nélkül\n"
                          "  --import-voice FÁJL    hangcsomag átvétele a saját hangjaid közé;\n"
                          "                         --replace: az azonos nevű hangot lecseréli\n"
                          "\n"
                          "Billentyűk az ablakban:\n"
                          "  Tab, Shift+Tab        a vezérlők között lép\n"
                          "  nyilak                a mozaikban és az eredménytáblában mozog\n"
                          "  Enter, szóköz         megnyomja azt, amin állsz; Enter a Tovább gomb\n"
                          "  1 2 3 4               választ a gyakorlatban és a tesztben\n"
                          "  R                     újra lejátssza a szót vagy a lecke hangját\n"
                          "  L                     lassítva játssza le\n"
                          "  F                     felveszi és összehasonlítja a kiejtésedet\n"
                          "  Esc                   bezárja a panelt vagy a kisablakot\n"
                          "  F1                    a súgó (Ctrl+F: keresés benne)\n"
                          "  Ctrl+I                a névjegy\n"
                          "  Ctrl+K                Kiejtés: a felvételeid a magánhangzó-térképen\n"
                          "  Ctrl+H                Haladás: a megőrzött eredményeid\n"
                          "  Ctrl+G                Hallásgyakorlat\n"
                          "\n"
                          "Bővebben: man ejteto\n");
}

} // namespace

std::optional<CommandLineAnswer> answerCommandLine(const QStringList& arguments, const QString& version)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            return CommandLineAnswer{helpText(), 0};
        if (a == QLatin1String("--version") || a == QLatin1String("-v"))
            return CommandLineAnswer{QStringLiteral("Ejteto! ") + version + QLatin1Char('\n'), 0};
    }
    return std::nullopt;
}

} // namespace ejteto
