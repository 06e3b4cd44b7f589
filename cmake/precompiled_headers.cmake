# Qt's headers are compiled once per library, once for the tests and once for the
# benchmarks, rather than once for every source file that includes them: parsing them
# again and again took most of a clean build. CMAKE_DISABLE_PRECOMPILE_HEADERS=ON builds
# without, to see that every file includes what it uses.
set(ZORVAT_PCH_CORE_HEADERS
  <QByteArray> <QDir> <QFile> <QFileInfo> <QFontMetricsF> <QHash> <QList> <QObject> <QPainter>
  <QRegularExpression> <QSet> <QString> <QStringList>
  <algorithm> <functional> <memory> <optional>)
set(ZORVAT_PCH_UI_HEADERS ${ZORVAT_PCH_CORE_HEADERS}
  <QAction> <QApplication> <QBoxLayout> <QButtonGroup> <QComboBox> <QGroupBox> <QKeyEvent> <QLabel>
  <QLineEdit> <QMenu> <QPlainTextEdit> <QPushButton> <QScrollArea> <QSpinBox> <QTabWidget> <QTimer>
  <QToolButton> <QWidget>)
set(ZORVAT_PCH_TEST_HEADERS ${ZORVAT_PCH_UI_HEADERS} <QSignalSpy> <QTemporaryDir> <QTest>)
