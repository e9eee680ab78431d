// Element operations on the layout file.
#include "app/layout_edit.h"

#include "app/elements.h"

namespace tolvex {

void DeleteLayoutElement(const QString& fileName, int index) {
  TTolvexElementList list;
  list.LoadFromFile(fileName);
  list.Delete(index);
  list.SaveToFile(fileName);
}

}  // namespace tolvex
