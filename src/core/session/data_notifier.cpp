#include "core/session/data_notifier.h"

void DataNotifier::Follow(QObject* window, Reactions reactions) {
    connect(this, &DataNotifier::changed, window,
            [window, reactions = std::move(reactions)](QObject* source, Part part) {
                const std::function<void()>& react = part == Part::Values ? reactions.values
                                                     : part == Part::RogerTones
                                                         ? reactions.rogerTones
                                                         : reactions.modeEnable;
                // Values changed in a window are on show there already; the
                // lists are rebuilt in every window that has them.
                if (react && (part != Part::Values || source != window))
                    react();
            });
}
