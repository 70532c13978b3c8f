// Opening a network address: one line for the address of a TV or radio stream, OK and Cancel.
object Fwldz1: TFwldz1
  Left = 240
  Top = 200
  BorderStyle = bsToolWindow
  Caption = '打开网络地址'
  ClientHeight = 129
  ClientWidth = 432
  Color = clBtnFace
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = '宋体'
  Font.Style = []
  Position = poMainFormCenter
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 432
    Height = 92
    Align = alTop
    object Label1: TLabel
      Left = 12
      Top = 8
      Width = 300
      Height = 17
      Caption = '打开网络地址'
      Font.Charset = 1
      Font.Color = clNavy
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = [fsBold]
    end
    object Label2: TLabel
      Left = 24
      Top = 30
      Width = 396
      Height = 14
      Caption = '请输入电视或电台的网络地址（http、mms、rtsp 等），确定后即可播放：'
      Font.Charset = 1
      Font.Color = clPurple
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = []
    end
    object Edit1: TEdit
      Left = 24
      Top = 54
      Width = 392
      Height = 21
      TabOrder = 0
    end
  end
  object BitBtn1: TBitBtn
    Left = 256
    Top = 100
    Width = 75
    Height = 22
    Cursor = crHandPoint
    Caption = '确定'
    Default = True
    Kind = bkOK
    ModalResult = 1
    TabOrder = 1
  end
  object BitBtn2: TBitBtn
    Left = 341
    Top = 100
    Width = 75
    Height = 22
    Cursor = crHandPoint
    Caption = '取消'
    Cancel = True
    Kind = bkCancel
    ModalResult = 2
    TabOrder = 2
  end
end
