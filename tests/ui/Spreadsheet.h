#pragma once

// The copied room as a spreadsheet receives it. LibreOffice Calc, run headless
// with a profile of its own set to a locale, opens the HTML as Calc pastes
// HTML and the text as its paste-as-text dialog takes it by default, and saves
// each as xlsx; each sheet is read back from its xlsx as a list of cells, as
// Calc held them: numbers, texts, formulas and errors.

#include <QList>
#include <QString>

namespace kelvora::ui::test {

struct SheetCell {
    enum class Kind { Number, Text, FormulaOrError };
    QString reference; // as "B12"
    int row = 0;       // 1 for the first, as in the reference
    int column = 0;    // 0 for A
    Kind kind = Kind::Text;
    double number = 0.0; // a number's value
    QString text;        // a text's; a formula's source or an error's value
};

using Sheet = QList<SheetCell>;

struct PastedRoom {
    Sheet fromHtml;
    Sheet fromText;
    QString failure; // why the sheets are missing; empty when both arrived
};

// localeName in BCP 47, as "vi-VN": Calc reads the numbers as a user of that
// locale's Calc would see them read.
[[nodiscard]] PastedRoom pasteIntoCalc(const QString& localeName, const QString& html,
                                       const QString& text);

// How many A4 pages the HTML fills in LibreOffice Writer, which opens it as
// pasting it into a document does; 0 with the failure where it did not.
[[nodiscard]] int pagesInWriter(const QString& html, QString& failure);

// The cells of the first row whose cell in column A is the text label, from
// left to right; empty when there is none.
[[nodiscard]] Sheet rowLabelled(const Sheet& sheet, const QString& label);

// For a failure message: "C10: number 12873; D10: text "g/kg"".
[[nodiscard]] QString describe(const Sheet& cells);

} // namespace kelvora::ui::test
