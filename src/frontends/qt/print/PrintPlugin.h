#pragma once

// The interface between the program and its print plugin. Qt's print support
// brings the system's printing libraries along, and linking it would load them
// at every start; the plugin, which alone links it, is loaded on the first
// print instead.

class QByteArray;
class QPagedPaintDevice;
class QString;
class QWidget;

// What the plugin prints: the program paints, the plugin provides the device.
class PagedDocument {
public:
    virtual ~PagedDocument() = default;
    // The print job's name.
    virtual QString title() const = 0;
    // Sets the device up before the user sees it (orientation and the like).
    virtual void setUp(QPagedPaintDevice& device) const = 0;
    // Paints every page; called again whenever the preview or the printer
    // needs the pages.
    virtual void paint(QPagedPaintDevice& device) const = 0;
    // Printing to a PDF file: the whole document, painted in memory, for the
    // program to write whole to path and to report a failure itself. Qt's
    // PDF engine would write into the file as it paints, leaving a
    // truncated file on a full disk without a word.
    virtual void writeFile(const QString& path, const QByteArray& pdf) const = 0;
};

// The plugin's one entry point: shows Qt's print preview of document, modal
// to parent, and returns once it is closed (printed or not).
using PrintPreviewFunction = void (*)(QWidget* parent, const PagedDocument& document);
inline constexpr char PrintPreviewSymbol[] = "turvane_print_preview";
// What the preview's print does when the user chose a PDF file at path,
// without the dialogs: how the tests, which do not link Qt's print support,
// print to a file.
using PrintToFileFunction = void (*)(const PagedDocument& document, const QString& path);
inline constexpr char PrintToFileSymbol[] = "turvane_print_to_file";
// The plugin's file, relative to the executable's directory, without the
// "lib" and ".so" that QLibrary adds.
inline constexpr char PrintPluginName[] = "plugins/turvaneprint";
