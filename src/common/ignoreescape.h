#pragma once

class QDialog;

// Makes Escape do nothing in a dialog that has no cancel button, where Qt would otherwise close
// it: such a window closes only by its own button or its close box.
void ignoreEscape(QDialog &dialog);
