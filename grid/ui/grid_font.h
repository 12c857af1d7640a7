#pragma once

class QTableView;

// Applies the user's grid font size (G_USER_SET.FONT_SIZE) to a grid view: font, data row height
// by the size (kept in G_USER_SET.DATA_HEIGHT) and a header 5 pixels taller than a row.
void ApplyGridFontSize(QTableView *view);
