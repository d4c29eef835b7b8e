#include "app/CellImageList.h"

CImageList g_cellImageList;
