#pragma once

class TFrmScreenColor;

// Dresses the main window at start-up: caption, button glyphs, panel pictures, the paste-type rows and
// two button hints. Each picture load stands alone: a missing one leaves its control as it was.
void LoadSkin(TFrmScreenColor& window);
