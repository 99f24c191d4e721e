#pragma once

#include <QImage>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/PageMargins.h"

class QPrinter;

// Reading printouts back with the PDF tools the build installs (poppler's pdftotext,
// pdfinfo and pdftoppm).

// The text of every sheet as pdftotext lays it out, one string per sheet.
std::vector<std::string> PdfSheets(const std::filesystem::path& pdf);

// Every word with its box in points from the sheet's top-left corner; sheets count from 1.
struct PdfWord {
    int sheet;
    std::string text;
    double xMin;
    double yMin;
    double xMax;
    double yMax;
};
std::vector<PdfWord> PdfWords(const std::filesystem::path& pdf);
// The first word with this text, or a failed expectation and a word with an empty text.
PdfWord FindWord(const std::vector<PdfWord>& words, const std::string& text, int sheet = 1);

// The document's title as pdfinfo shows it.
std::string PdfTitle(const std::filesystem::path& pdf);

// One sheet drawn at `dpi`; at 72 dpi one pixel is one point.
QImage RenderPdfSheet(const std::filesystem::path& pdf, int sheet, int dpi);

// What a user does in a scripted page-setup or print dialog, then pressing OK: choose PDF
// output into a file on A4 paper, or set the margins.
std::function<bool(QPrinter&)> PrintIntoPdf(const std::filesystem::path& pdf);
std::function<bool(QPrinter&)> SetMargins(PageMargins margins);

// Points in a length of hundredths of a millimetre.
inline double Points(int hundredths) {
    return hundredths / 100.0 / 25.4 * 72.0;
}
