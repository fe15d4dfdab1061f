#pragma once

// The editor's palette pictures, panel, cursor, boundary marks and font; loaded once at start-up.
bool LoadEditorGraphics();
void FreeEditorGraphics();
// The map view with its objects, the cursor and the panel with the selected tile, object and theme.
void EditorDraw();
