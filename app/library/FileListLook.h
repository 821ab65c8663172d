#pragma once

#include <QStringList>

#include <functional>
#include <initializer_list>

class QKeyEvent;
class QTableView;

// The sound browser's lists of files, the folder's and the library's, look and work alike: rows of
// one height (a list of 20,000 is laid out without measuring each), whole rows chosen, several with
// Ctrl or Shift, dragged out as copies; a name too long for its column keeps its start and end
// ("clap 1 room.wav" and "clap 1 dry.wav" differ at their ends).
void lookAsFileList(QTableView& list);
// Sizes each of the columns of a list as wide as the widest text it can show (or its header), so
// that no row is measured however many the list holds; the user may widen them still.
void sizeColumnsToTexts(QTableView& list, std::initializer_list<int> columns,
                        const std::function<QStringList(int column)>& widestTexts);
// Whether the key is one of keys, pressed without Ctrl, Alt, Shift or Meta (on the keypad or not):
// Space and Enter in a list of files are the browser's.
bool isPlainKey(const QKeyEvent& key, std::initializer_list<int> keys);
