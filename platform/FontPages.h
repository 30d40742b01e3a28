#pragma once

// The font engine maps each font file whole and reads a glyph's outline from it once: the toolkit keeps
// every glyph it has drawn. The kernel maps in the file's pages around each read, so a window of Chinese
// text leaves megabytes of a Chinese face in the program's resident memory that it reads no more. This
// lets the pages of the font files go from the program's memory; they stay in the system's file cache,
// and a glyph read later maps its pages again. A page the program wrote to is kept. Nothing to do on
// Windows, whose fonts are the system's. Call it on the thread that draws text: only that thread maps and
// unmaps the font files.
void ReleaseFontPages();
