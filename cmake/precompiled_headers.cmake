# Qt's headers are compiled once per library and once for the tests (the companion and
# the benchmarks reuse a library's), rather than once for every source file that
# includes them: parsing them again and again took most of a clean build. CMAKE_DISABLE_PRECOMPILE_HEADERS=ON builds
# without, to see that every file includes what it uses.
set(ZORVAT_PCH_CORE_HEADERS
  <QByteArray> <QDir> <QFile> <QFileInfo> <QFontMetricsF> <QGuiApplication> <QHash> <QList> <QObject>
  <QPainter> <QPointer> <QRegularExpression> <QSet> <QString> <QStringList> <QTextDocument> <QTextLayout>
  <algorithm> <functional> <memory> <optional>)
set(ZORVAT_PCH_UI_HEADERS ${ZORVAT_PCH_CORE_HEADERS}
  <QAction> <QApplication> <QBoxLayout> <QButtonGroup> <QComboBox> <QGroupBox> <QKeyEvent> <QLabel>
  <QLineEdit> <QMenu> <QPlainTextEdit> <QPushButton> <QScrollArea> <QSpinBox> <QTabWidget> <QTimer>
  <QToolButton> <QWidget>)
set(ZORVAT_PCH_TEST_HEADERS ${ZORVAT_PCH_UI_HEADERS} <QProcess> <QSignalSpy> <QTemporaryDir> <QTest>)
