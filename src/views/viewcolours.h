#pragma once

#include "appearance/colourscheme.h"

#include <QColor>

// The colour scheme by the roles the views give its colours: the main colours for the written
// list, the table's header and the graph, the secondary ones for the table's body. Unless given
// others, the scheme's defaults.
struct ViewColours {
    // A colour as the settings store keeps it (red in the low byte).
    static QColor toQColor(quint32 colour) { return QColor::fromRgb(ColourScheme::toRgb(colour)); }
    static ViewColours from(const ColourScheme& scheme)
    {
        return {toQColor(scheme.colour(ColourScheme::MainBackground)),
                toQColor(scheme.colour(ColourScheme::MainText)),
                toQColor(scheme.colour(ColourScheme::SecondaryBackground)),
                toQColor(scheme.colour(ColourScheme::SecondaryText))};
    }

    QColor mainBackground = toQColor(ColourScheme::defaultColour(ColourScheme::MainBackground));
    QColor mainText = toQColor(ColourScheme::defaultColour(ColourScheme::MainText));
    QColor secondaryBackground =
        toQColor(ColourScheme::defaultColour(ColourScheme::SecondaryBackground));
    QColor secondaryText = toQColor(ColourScheme::defaultColour(ColourScheme::SecondaryText));
};
