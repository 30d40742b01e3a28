#pragma once

// The font files the toolkit draws from are mapped whole, and each glyph read maps the pages round it
// too, megabytes for a few dozen Chinese characters. The toolkit keeps the glyphs it has drawn, so once
// the window's texts are drawn those pages are let go; a glyph read later maps its own again. Nothing
// to let go on Windows, whose fonts live in the system.
void ReleaseFontPages();
