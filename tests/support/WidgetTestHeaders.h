// The Qt headers the widget tests include, precompiled once for all of them.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>
