#include "Artgen.h"
namespace art {
static QImage P(int w,int h){QImage i(w,h,QImage::Format_RGB32); i.fill(0xffffffff); return i;}
QImage Icon(int s){QImage i(s,s,QImage::Format_Indexed8); i.setColorTable({0u,0xffff0000}); i.fill(0); return i;}
}
