#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The picture-open dialog: drives, folders and the picture files of the chosen folder, with a preview of the
// file under the cursor. It starts at the process's current folder and never changes it.
class PictureOpenDialog : public QDialog {
    Q_OBJECT
public:
    explicit PictureOpenDialog(QWidget* parent = nullptr);

    // The full path of the file taken with OK; nothing before that or after Cancel.
    std::optional<std::string> chosenFile() const { return m_chosenFile; }
    // The folder the folder list shows.
    const std::string& currentFolder() const { return m_folder; }
    // Moves the folder list to `folder`, as a double click on it would, and lists its pictures.
    void openFolder(const std::string& folder);

    QLineEdit* fileNameEdit() const { return m_fileNameEdit; }
    QListWidget* folderList() const { return m_folderList; }
    QComboBox* driveList() const { return m_driveList; }
    QListWidget* fileList() const { return m_fileList; }
    QPushButton* okButton() const { return m_okButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QLabel* preview() const { return m_preview; }

protected:
    // Enter in the folder list enters the folder instead of pressing the default button.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openSelectedDrive();
    void listFolderPictures();
    void previewSelectedFile();
    void acceptFile();

    void enterFolderOf(const QListWidgetItem* item);
    void fillFolderList(const std::string& cameFrom);
    void selectDriveOfFolder();
    // Puts the selected file's name into the text box; its full path, or nothing when no file is selected.
    std::optional<std::string> takeSelectedFile();
    void showPreview(const std::string& path);

    QLineEdit* m_fileNameEdit;
    QListWidget* m_folderList;
    QComboBox* m_driveList;
    QListWidget* m_fileList;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QLabel* m_preview;
    std::string m_folder;
    std::string m_previewedPath;
    std::optional<std::string> m_chosenFile;
};

// Shows the picture-open dialog modally: the full path of the file chosen, or nothing when cancelled.
std::optional<std::string> showPictureOpenDialog(QWidget* parent);
