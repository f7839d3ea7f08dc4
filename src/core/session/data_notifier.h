#pragma once

#include <QObject>

#include <functional>

// Tells the open windows that the radio data changed, so that each shows
// what the change touched. The run's one notifier lives beside the data.
class DataNotifier : public QObject {
    Q_OBJECT
public:
    enum class Part {
        Values,     // any value: the windows show the data anew
        RogerTones, // which roger-beep tones are defined: roger lists rebuilt
        ModeEnable, // which modes are offered: mode lists rebuilt
    };
    Q_ENUM(Part)

    // What a window does on each kind of change; an empty one means nothing.
    struct Reactions {
        std::function<void()> values = {};
        std::function<void()> rogerTones = {};
        std::function<void()> modeEnable = {};
    };

    // `source` is the window the change was made in (it shows it already),
    // nullptr when none (undo, an import, a read).
    void Tell(QObject* source, Part part = Part::Values) { emit changed(source, part); }
    // `window` reacts to the changes made elsewhere for as long as it lives.
    void Follow(QObject* window, Reactions reactions);

signals:
    void changed(QObject* source, DataNotifier::Part part);
};
