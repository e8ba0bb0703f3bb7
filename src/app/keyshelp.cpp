#include "app/keyshelp.h"

#include "index/indexmarks.h"

QString keysAndMouseText()
{
    return QStringLiteral(
               "<h3>Map</h3><table>"
               "<tr><td>Left click on a star or its list row</td><td>select it and centre the sector on it</td></tr>"
               "<tr><td>Click on the border bands</td><td>scroll one light year (both ways at the corners)</td></tr>"
               "<tr><td>Click on the mini-map</td><td>centre the sector on that point</td></tr>"
               "<tr><td>Cursor keys</td><td>scroll; Home, End, Page Up, Page Down scroll diagonally</td></tr>"
               "<tr><td>Clear (keypad 5)</td><td>back to Sol's sector</td></tr>"
               "<tr><td>Escape</td><td>quit (asks first when something is unsaved)</td></tr>"
               "</table><h3>Stellar Index</h3><table>"
               "<tr><td>Left click on an entry</td><td>select the star, its notes in the boxes</td></tr>"
               "<tr><td>Right click on an entry</td><td>make it the second star (distance readout)</td></tr>"
               "<tr><td>Tab in a notes box</td><td>types a tab; Ctrl+Tab moves on</td></tr>"
               "</table><h3>3D View (F3)</h3><table>"
               "<tr><td>Left drag</td><td>turn and tilt</td></tr>"
               "<tr><td>Right drag, Shift+drag</td><td>pan</td></tr>"
               "<tr><td>Wheel, + and −</td><td>zoom</td></tr>"
               "<tr><td>Cursor keys</td><td>turn and tilt</td></tr>"
               "<tr><td>Home, T</td><td>home view, top view</td></tr>"
               "<tr><td>Left / right click on a star</td><td>select it / make it the second star</td></tr>"
               "</table><h3>Commands</h3><table>"
               "<tr><td>Ctrl+S, Ctrl+Shift+S, Ctrl+O</td><td>Save Game State, Save As…, Load Game State</td></tr>"
               "<tr><td>Ctrl+P</td><td>Print Map</td></tr>"
               "<tr><td>Ctrl+Z, Ctrl+Shift+Z</td><td>Undo, Redo</td></tr>"
               "<tr><td>Ctrl+F</td><td>Find Star: Enter selects, Shift+Enter makes the second star, Escape "
               "closes</td></tr>"
               "<tr><td>Ctrl+Shift+F</td><td>Find in Notes: Up/Down choose, Enter selects, Ctrl+Enter shows in "
               "the Stellar Index, Escape closes</td></tr>"
               "<tr><td>Ctrl+R</td><td>Plot Route</td></tr>"
               "<tr><td>F1, F3, Ctrl+Q</td><td>About, 3D View, Exit</td></tr>"
               "</table><h3>Marks</h3><p>")
        + marksExplained() + QStringLiteral("</p>");
}
