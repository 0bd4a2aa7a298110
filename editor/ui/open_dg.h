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
class OpenDg : public QDialog {
    Q_OBJECT
public:
    explicit OpenDg(QWidget* parent = nullptr);

    // The full path of the file taken with OK; nothing before that or after Cancel.
    std::optional<std::string> chosenFile() const { return m_chosenFile; }
    // The folder the folder list shows.
    const std::string& currentFolder() const { return m_folder; }
    // Moves the folder list to `folder`, as a double click on it would, and lists its pictures.
    void openFolder(const std::string& folder);

    QLineEdit* txtFile() const { return m_txtFile; }
    QListWidget* dir1() const { return m_Dir1; }
    QComboBox* drive1() const { return m_Drive1; }
    QListWidget* file1() const { return m_File1; }
    QPushButton* okButton() const { return m_OKButton; }
    QPushButton* cancelButton() const { return m_CancelButton; }
    QLabel* imgPreview() const { return m_imgPreview; }

protected:
    // Enter in the folder list enters the folder instead of pressing the default button.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void OKButton_Click();
    void CancelButton_Click();

    void enterFolderOf(const QListWidgetItem* item);
    void fillFolderList(const std::string& cameFrom);
    void selectDriveOfFolder();
    // Puts the selected file's name into the text box; its full path, or nothing when no file is selected.
    std::optional<std::string> takeSelectedFile();
    void showPreview(const std::string& path);

    QLineEdit* m_txtFile;
    QListWidget* m_Dir1;
    QComboBox* m_Drive1;
    QListWidget* m_File1;
    QPushButton* m_OKButton;
    QPushButton* m_CancelButton;
    QLabel* m_imgPreview;
    std::string m_folder;
    std::string m_previewedPath;
    std::optional<std::string> m_chosenFile;
};

// Shows the picture-open dialog modally: the full path of the file chosen, or nothing when cancelled.
std::optional<std::string> showOpenDg(QWidget* parent);
