#pragma once

#include "AppContext.h"
#include "Cp932Text.h"
#include "TempDir.h"
#include "core/DataFiles.h"
#include "core/FileSource.h"
#include "grid/StringGrid.h"
#include "mainUnit.h"
#include "screens/Design.h"
#include "screens/Fill.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// Data files in memory, for every window test that does not need a real
// file system: no temporary directories, and each read of a file can be
// handed other bytes deterministically.
class MemoryDataDir {
public:
    std::string PathOf(std::string_view name) const { return files_->PathOf(name); }
    // Writes raw bytes (code page 932) as a data file.
    void Write(std::string_view name, const std::string& bytes) const {
        files_->Write(name, bytes);
    }
    void Remove(std::string_view name) const { files_->Remove(name); }
    // Puts the bundled sample year's files in.
    void CopySampleYear() const;

    turvane::MemoryFiles& files() const { return *files_; }
    std::shared_ptr<const turvane::FileSource> source() const { return files_; }

private:
    std::shared_ptr<turvane::MemoryFiles> files_ = std::make_shared<turvane::MemoryFiles>();
};

// A temporary data directory on disk, removed again at the end of a test:
// for what only a file system has (pipes, links, directories, dates).
class TempDataDir {
public:
    const std::filesystem::path& path() const { return dir_.path(); }
    std::string PathOf(std::string_view name) const { return (path() / name).string(); }

    void Write(std::string_view name, const std::string& bytes) const;
    void CopySampleYear() const;

    std::shared_ptr<const turvane::FileSource> source() const;

private:
    TempDir dir_;
};

// Checks that window was built from design: its name, caption and size, and
// every control's kind of widget, place, caption and grid shape.
void ExpectBuiltFrom(const QWidget& window, const turvane::screens::WindowDesign& design);

// Checks that a grid shows a fill: its rows, cells and scroll position.
void ExpectGridShows(const StringGrid& grid, const turvane::screens::GridFill& fill,
                     const turvane::screens::TextTable& texts);

// The sample year's bytes, read once.
const std::string& SampleFile(std::string_view name);

// A context on data files at a fixed date that records its error boxes.
struct TestContext {
    explicit TestContext(std::shared_ptr<const turvane::FileSource> files,
                         turvane::CivilDate today = {2003, 5, 12});

    turvane::CivilDate today;
    std::shared_ptr<QStringList> errors = std::make_shared<QStringList>();
    std::shared_ptr<QString> lastCaption = std::make_shared<QString>();
    AppContext context;
};

// A main window on the data files in dir_ (in memory unless Dir says
// otherwise), read the way a user or an accessibility tool would: by the
// controls' names; its error boxes are collected.
template <typename Dir = MemoryDataDir> class WindowTestOn : public testing::Test {
protected:
    TForm1* OpenMain() { return OpenMain(defaultToday_); }
    TForm1* OpenMain(turvane::CivilDate today) {
        main_.reset();
        ctx_ = std::make_unique<TestContext>(dir_.source(), today);
        main_ = std::make_unique<TForm1>(ctx_->context);
        return main_.get();
    }

    static StringGrid* Grid(const QWidget* w, const char* name) {
        return w->findChild<StringGrid*>(QString::fromLatin1(name));
    }
    static QString Text(const QWidget* w, const char* name) {
        return w->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
    static QString Caption(const QWidget* w, const char* name) {
        return w->findChild<QGroupBox*>(QString::fromLatin1(name))->title();
    }
    StringGrid* Grid(const char* name) const { return Grid(main_.get(), name); }
    QString Text(const char* name) const { return Text(main_.get(), name); }
    QStringList errors() const { return *ctx_->errors; }

    turvane::CivilDate defaultToday_{2003, 5, 12};
    Dir dir_;
    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<TForm1> main_;
};
using WindowTest = WindowTestOn<>;
