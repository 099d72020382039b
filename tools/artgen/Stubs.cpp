#include "Artgen.h"
namespace art {
static QImage P(int w,int h){QImage i(w,h,QImage::Format_RGB32); i.fill(0xffffffff); return i;}
QImage HeroineSheet(){QImage i=P(200,210); i.fill(0xff000000); return i;}
QImage TitlePicture(){return P(138,300);}
QImage GoalPicture(){return P(153,278);}
QImage GameOverPicture(){return P(170,140);}
QImage QuitPicture(){return P(170,140);}
QImage FarewellPicture(){return P(170,140);}
QImage FacePicture(){return P(64,64);}
QImage Icon(int s){QImage i(s,s,QImage::Format_Indexed8); i.setColorTable({0u,0xffff0000}); i.fill(0); return i;}
}
