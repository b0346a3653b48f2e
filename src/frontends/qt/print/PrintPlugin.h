#pragma once

// The interface between the program and its print plugin. Qt's print support
// brings the system's printing libraries along, and linking it would load them
// at every start; the plugin, which alone links it, is loaded on the first
// print instead.

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
};

// The plugin's one entry point: shows Qt's print preview of document, modal
// to parent, and returns once it is closed (printed or not).
using PrintPreviewFunction = void (*)(QWidget* parent, const PagedDocument& document);
inline constexpr char PrintPreviewSymbol[] = "turvane_print_preview";
// The plugin's file, relative to the executable's directory, without the
// "lib" and ".so" that QLibrary adds.
inline constexpr char PrintPluginName[] = "plugins/turvaneprint";
