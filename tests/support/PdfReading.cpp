#include "support/PdfReading.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <regex>

#include "support/TestFiles.h"

namespace {

// Runs one of the PDF tools and gives what it wrote on its standard output.
std::string RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed (is poppler-utils installed?): "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

std::vector<std::string> PdfSheets(const std::filesystem::path& pdf) {
    const std::string text =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), Path(pdf), "-"});
    std::vector<std::string> sheets;
    std::size_t start = 0;
    // pdftotext ends every sheet with a form feed.
    for (std::size_t end = text.find('\f'); end != std::string::npos;
         end = text.find('\f', start)) {
        sheets.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return sheets;
}

std::vector<PdfWord> PdfWords(const std::filesystem::path& pdf) {
    const std::string html =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), Path(pdf), "-"});
    const std::regex tag(
        R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    int sheet = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), tag);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& match = *it;
        if (!match[1].matched) {
            ++sheet;
            continue;
        }
        words.push_back({sheet, match[5].str(), std::stod(match[1].str()),
                         std::stod(match[2].str()), std::stod(match[3].str()),
                         std::stod(match[4].str())});
    }
    return words;
}

PdfWord FindWord(const std::vector<PdfWord>& words, const std::string& text, int sheet) {
    for (const PdfWord& word : words) {
        if (word.text == text && word.sheet == sheet) {
            return word;
        }
    }
    ADD_FAILURE() << "no word \"" << text << "\" on sheet " << sheet;
    return {sheet, {}, 0, 0, 0, 0};
}

std::string PdfTitle(const std::filesystem::path& pdf) {
    const std::string info = RunTool(QStringLiteral("pdfinfo"), {Path(pdf)});
    std::smatch match;
    if (std::regex_search(info, match, std::regex("Title: +([^\n]*)"))) {
        return match[1].str();
    }
    return {};
}

QImage RenderPdfSheet(const std::filesystem::path& pdf, int sheet, int dpi) {
    TempFolder folder;
    const QString number = QString::number(sheet);
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), number,
             QStringLiteral("-l"), number, QStringLiteral("-png"), QStringLiteral("-singlefile"),
             Path(pdf), Path(folder / "sheet")});
    return QImage(Path(folder / "sheet.png"));
}

std::function<bool(QPrinter&)> PrintIntoPdf(const std::filesystem::path& pdf) {
    return [pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Path(pdf));
        printer.setPageSize(QPageSize(QPageSize::A4));
        return true;
    };
}

std::function<bool(QPrinter&)> SetMargins(PageMargins margins) {
    return [margins](QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::A4));
        return printer.setPageMargins(QMarginsF(margins.left / 100.0, margins.top / 100.0,
                                                margins.right / 100.0, margins.bottom / 100.0),
                                      QPageLayout::Millimeter);
    };
}
