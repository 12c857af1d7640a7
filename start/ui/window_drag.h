#pragma once

class QWidget;

// Borderless dialogs have no title bar: pressing the left button on handle moves its window.
void MakeDragHandle(QWidget *handle);
