// The formula window's tests: a program in a temporary folder, opened from
// the keypad, with helpers for its files and its formula box.
#pragma once

#include "support/qt_print.h"
#include "forms/testing/form_test.h"
#include "quorvel/formula/suusiki_form.h"
#include "quorvel/keypad/quorvel_form.h"
#include "quorvel/program.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <initializer_list>
#include <memory>
#include <utility>

namespace formula_window_test {

class FormulaWindow : public forms::testing::FormTest {
protected:
    // Starts the program and opens the formula window from the keypad.
    quorvel::SUUSIKI& open()
    {
        program = std::make_unique<quorvel::Program>(rec, dir.path());
        program->QUORVEL_.Show();
        forms::testing::click(program->QUORVEL_->Command30);
        return *program->SUUSIKI_.get();
    }
    quorvel::SUUSIKI& form() { return *program->SUUSIKI_.get(); }
    quorvel::FormulaState& vars() { return program->formula; }

    QByteArray bytesOf(const QString& name) const
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void writeBytes(const QString& name, const QByteArray& bytes) const
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // A file with the given formulas (letter index -> formula), the rest empty.
    static QByteArray setBytes(std::initializer_list<std::pair<int, const char*>> formulas)
    {
        QByteArray out;
        for (int i = 0; i < 26; ++i) {
            QByteArray f;
            for (const auto& [k, text] : formulas)
                if (k == i)
                    f = text;
            out += "\"" + QByteArray(1, char('A' + i)) + ": " + f + "\"\r\n";
        }
        return out;
    }
    // Types a formula into the formula box and stores it with Enter.
    void enter(const QString& formula)
    {
        form().Text2.setText(QString());
        forms::testing::typeText(form().Text2, formula + "\r");
    }
    QString result() { return form().Label1.Caption(); }
    // A formula of n characters: 1+1+...
    static QByteArray formulaOfLength(int n)
    {
        const QByteArray head = n % 2 ? "1" : "12";
        return head + QByteArray("+1").repeated((n - int(head.size())) / 2);
    }

    std::unique_ptr<quorvel::Program> program;
};

} // namespace formula_window_test
