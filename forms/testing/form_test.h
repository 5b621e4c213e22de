// GoogleTest fixture for form tests: recording services, a temporary program
// folder, and a check at the end that nothing unscripted happened (a message
// box, file dialog or modal form nobody scripted, an error no handler
// trapped, a script left unused). A watchdog fails the test and closes any
// real modal window that shows up, so no test hangs.
// Only test executables include this header (it needs GoogleTest).
#pragma once

#include "forms/program.h"
#include "forms/testing/driver.h"
#include "forms/testing/recording_services.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <gtest/gtest.h>

namespace forms::testing {

class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        watchdog_.setInterval(200);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "unexpected modal window: " << m->metaObject()->className() << " "
                              << m->windowTitle().toStdString();
                m->close();
            }
            if (QWidget* m = QApplication::activePopupWidget()) {
                ADD_FAILURE() << "unexpected pop-up: " << m->metaObject()->className();
                m->close();
            }
        });
        watchdog_.start();
    }
    void TearDown() override
    {
        watchdog_.stop();
        for (const QString& s : rec.unscripted()) ADD_FAILURE() << "unscripted: " << s.toStdString();
        for (const QString& s : rec.unusedScripts()) ADD_FAILURE() << "script not used: " << s.toStdString();
        for (const QString& s : rec.unhandledErrors()) ADD_FAILURE() << "unhandled error: " << s.toStdString();
    }

    RecordingServices rec;
    QTemporaryDir dir;

private:
    QTimer watchdog_;
};

// A program with one form of type F, built from (program) when first used.
template <class F>
class SingleFormTest : public FormTest {
protected:
    forms::Program p{rec, dir.path(), "TEST"};
    forms::FormSlot<F> f{p, [this] { return std::make_unique<F>(p); }};
};

} // namespace forms::testing
